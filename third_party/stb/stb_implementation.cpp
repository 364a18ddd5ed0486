// stb's image writer and reader, compiled once into kadenzo::stb in every build (cmake/dependencies.cmake).
#include <stb/stb_image.h>
#include <stb/stb_image_write.h>
