// stb's image writer and reader, compiled once for builds where no stb library is installed.
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
