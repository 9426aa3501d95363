// The JPEG writing helpers of the image tests, which the main-window fixture uses.
#include "image/jpeg_test_support.cpp"
