#pragma once
// A run-time failure with the error code the game reports ("errore 53").

#include <QString>
#include <stdexcept>

namespace ui {

struct RuntimeError : std::runtime_error {
    enum Code { FileNotFound = 53 };
    RuntimeError(int c, const char *what) : std::runtime_error(what), code(c) {}
    int code;
};

} // namespace ui
