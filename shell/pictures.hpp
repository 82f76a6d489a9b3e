#pragma once

#include <memory>

#include "framework/gui/picture.hpp"

// The program's pictures, each read from its file once and kept for the run.
std::shared_ptr<framework::Picture> Dalvtitle();
std::shared_ptr<framework::Picture> Ques();
std::shared_ptr<framework::Picture> One();
std::shared_ptr<framework::Picture> Two();
std::shared_ptr<framework::Picture> Tarvolen21();
