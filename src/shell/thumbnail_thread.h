#pragma once
// The background pass that fills the thumbnail grid. The shell stops it
// before the file list is rebuilt or freed, a picture is opened, a file is
// deleted or the program ends.
namespace ezo {

// Starts a pass over the listed folder for the grid.
void StartThumbnailGenerator();
// Ends a running pass and returns only once its thread has ended; does
// nothing when no pass was ever started.
void StopThumbnailGenerator();
// 1 while a pass's thread exists.
int ThumbnailGeneratorRunning();

}  // namespace ezo
