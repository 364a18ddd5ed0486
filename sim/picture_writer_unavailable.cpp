// Builds without the offscreen renderer (Windows) say so instead of writing pictures.
#include "pictures.h"

namespace kadenzo::sim {

struct PictureWriter::Renderer {};

PictureWriter::PictureWriter() = default;
PictureWriter::~PictureWriter() = default;

bool PictureWriter::write(const render::Scene&, const std::string& path, std::string& error) {
    error = "cannot write " + path + ": this build of kadenzo-sim has no picture renderer";
    return false;
}

} // namespace kadenzo::sim
