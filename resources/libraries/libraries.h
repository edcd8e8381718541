// The parts of the resource libraries' generator: each fills one library's entries.
#pragma once

#include <string>

#include "art.h"
#include "ui/pictures/picture_names.h"

namespace tarnel::libraries {

// The faces and suit symbols of every design held by `libraryFile`, stored as the loader
// expects them: each face with its inscribed ellipse inverted.
void AddFaces(art::Sink& sink, const std::string& libraryFile);
// Back sets 1..12 and the built-in set's narrow large backs.
void AddBacks(art::Sink& sink);
void AddCloths(art::Sink& sink);
// The window designs: the purple backgrounds, dialog headers, title strips and animations.
void AddGraphics(art::Sink& sink);

// A back of a set (1..12) upright, drawn over a width x height picture.
QImage DrawSetBack(int backSet, int back, int width, int height, bool smallCard);

}  // namespace tarnel::libraries
