#include "core/LargeMemory.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ombrix {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
constexpr std::size_t kPieceSize = std::size_t{1} << 20;
// Below this a block is plain memory: the advice would not pay.
constexpr std::size_t kLargeBlock = 4 * kHugePage;

} // namespace

void AdviseHugePages(const void* data, std::size_t bytes) {
#ifdef MADV_HUGEPAGE
    if (!data || bytes < kLargeBlock) return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kHugePage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

void PreparePages(const void* data, std::size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    // Whole pages inside the block only: the pages at its ends may be shared
    // with other data.
    constexpr std::uintptr_t kPage = 4096;
    if (!data || bytes < 16 * kPage) return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kPage - 1);
    if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_POPULATE_WRITE);
#else
    (void)data;
    (void)bytes;
#endif
}

void FileBytes::Release::operator()(char* block) const {
    if (mapped)
        ::munmap(block, mapped);
    else
        delete[] block;
}

std::unique_ptr<char, FileBytes::Release> FileBytes::Allocate(std::size_t bytes) {
    if (bytes >= kLargeBlock) {
        void* block =
            ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (block != MAP_FAILED) {
            AdviseHugePages(block, bytes);
            return {static_cast<char*>(block), Release{bytes}};
        }
    }
    return {new char[std::max<std::size_t>(bytes, 1)], Release{}};
}

std::optional<FileBytes> FileBytes::Read(const std::filesystem::path& file,
                                         const Progress& arrived) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    // A regular file is read straight into a block of its size; anything else
    // (a pipe, a device) and a file that grew meanwhile are read in steps.
    const bool regular = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const std::size_t expected = regular ? static_cast<std::size_t>(st.st_size) : 0;
    std::size_t capacity = regular ? expected + 1 : std::size_t{1} << 16;
    std::unique_ptr<char, Release> block = Allocate(capacity);
    std::size_t size = 0;
    for (;;) {
        if (size == capacity) {
            const std::size_t larger = capacity * 2;
            std::unique_ptr<char, Release> grown = Allocate(larger);
            std::memcpy(grown.get(), block.get(), size);
            block = std::move(grown);
            capacity = larger;
        }
        const ssize_t got = ::read(fd, block.get() + size, std::min(capacity - size, kPieceSize));
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        if (arrived) arrived(block.get(), size, expected);
    }
    ::close(fd);
    return FileBytes(std::move(block), size);
}

std::optional<FileBytes> FileBytes::Map(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    void* mapped = MAP_FAILED;
    std::size_t size = 0;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
        size = static_cast<std::size_t>(st.st_size);
        mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    }
    ::close(fd);
    if (mapped == MAP_FAILED) return Read(file);
    return FileBytes({static_cast<char*>(mapped), Release{size}}, size);
}

} // namespace ombrix
