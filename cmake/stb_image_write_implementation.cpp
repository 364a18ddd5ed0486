// stb_image_write's code, compiled once for builds where no stb library is installed.
#include <stb/stb_image_write.h>
