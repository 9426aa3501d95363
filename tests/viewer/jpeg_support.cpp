// The JPEG writing helpers of the image tests, built into this program too.
#include "image/jpeg_test_support.cpp"
