#include "platform/file_system.h"

#include <cstring>
#include <utility>

namespace dunra {

FileError::FileError(std::string path, int error_number,
                     const std::string& reason)
    : std::runtime_error(reason),
      path_(std::move(path)),
      error_number_(error_number) {}

FileError::FileError(std::string path, int error_number)
    : FileError(std::move(path), error_number, std::strerror(error_number)) {}

}  // namespace dunra
