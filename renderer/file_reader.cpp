// 64-bit file positions from the POSIX functions on 32-bit systems too
// (before any header decides the width of off_t).
#ifndef _WIN32
#define _FILE_OFFSET_BITS 64
#endif

#include "file_reader.h"

namespace {

#ifndef _WIN32
static_assert(sizeof(off_t) == 8, "file positions must not be cut to 32 bits");
#endif

// 64-bit positions on every platform: pixel offsets are 32-bit unsigned,
// beyond the reach of a 32-bit long.
bool seekTo(std::FILE* file, std::int64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, offset, origin) == 0;
#else
    return fseeko(file, static_cast<off_t>(offset), origin) == 0;
#endif
}

std::int64_t position(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return static_cast<std::int64_t>(ftello(file));
#endif
}

} // namespace

FileReader::~FileReader() {
    close();
}

bool FileReader::open(const char* path) {
    close();
    if (path == nullptr)
        return false;
    file_ = std::fopen(path, "rb");
    if (file_ == nullptr)
        return false;
    eof_ = false;
    return true;
}

bool FileReader::read(void* buffer, std::size_t count) {
    if (file_ == nullptr)
        return false;
    if (count == 0)
        return true;
    if (buffer == nullptr)
        return false;
    if (std::fread(buffer, 1, count, file_) == count)
        return true;
    eof_ = std::feof(file_) != 0;
    return false;
}

bool FileReader::seek(std::uint64_t offset) {
    if (file_ == nullptr || offset > static_cast<std::uint64_t>(INT64_MAX))
        return false;
    return seekTo(file_, static_cast<std::int64_t>(offset), SEEK_SET);
}

std::optional<std::uint64_t> FileReader::size() {
    if (file_ == nullptr)
        return std::nullopt;
    const std::int64_t here = position(file_);
    if (here < 0 || !seekTo(file_, 0, SEEK_END))
        return std::nullopt;
    const std::int64_t end = position(file_);
    if (!seekTo(file_, here, SEEK_SET) || end < 0)
        return std::nullopt;
    return static_cast<std::uint64_t>(end);
}

void FileReader::close() {
    if (file_ != nullptr)
        std::fclose(file_);
    file_ = nullptr;
    eof_ = true;
}
