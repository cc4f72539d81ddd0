// The contact sheet: every generated picture, frame by frame, labelled.
#pragma once

#include <string>
#include <vector>

#include "picture.h"

bool WriteContactSheet(const std::string& path, const std::vector<IndexedPicture>& pictures);
