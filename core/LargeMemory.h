#pragma once
// Memory for data that runs to many megabytes: a transfer text read whole,
// the index of its lines, a million samples. Touched for the first time, every
// 4 KB page of such a block costs the kernel a fault and a clearing, which for
// a large transfer took longer than reading its lines. Asking for huge pages
// (2 MB) where the system offers them on request takes that down to a handful.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace ombrix {

// Asks the kernel to back the whole 2 MB pages inside [data, data + bytes)
// with huge pages on their first use. Only advice: small blocks, systems
// without the feature and refusals change nothing.
void AdviseHugePages(const void* data, std::size_t bytes);

// The same for the storage of a container reserved for many elements.
template <class Container> void AdviseHugePagesFor(const Container& reserved) {
    AdviseHugePages(reserved.data(), reserved.capacity() * sizeof(*reserved.data()));
}

// Has the kernel set up the pages of [data, data + bytes) at once, for a
// block about to be filled whole: one call instead of a fault per 4 KB page.
// Only advice, as above.
void PreparePages(const void* data, std::size_t bytes);
template <class Container> void PreparePagesFor(const Container& reserved) {
    PreparePages(reserved.data(), reserved.capacity() * sizeof(*reserved.data()));
}

// The bytes of a file read whole into memory of its own, not copied on the way.
class FileBytes {
public:
    // `arrived(data, filled, expected)` after each piece read: the bytes
    // [0, filled) are in, `expected` is the file's size as it was when opened.
    using Progress =
        std::function<void(const char* data, std::size_t filled, std::size_t expected)>;

    // Nothing when the file cannot be opened or read. It is read in pieces of
    // a megabyte, so that `arrived` can work on each while it is in the cache.
    static std::optional<FileBytes> Read(const std::filesystem::path& file,
                                         const Progress& arrived = {});

    // The file's pages as the system caches them, mapped read-only: neither
    // copied nor cleared first, the fastest way to a large file. If another
    // program shortens the file while the mapping lives, touching the lost
    // part raises SIGBUS; only a short-lived process that turns that signal
    // into a clean stop should map. A file that cannot be mapped (empty, not
    // a regular file) is read as Read reads it.
    static std::optional<FileBytes> Map(const std::filesystem::path& file);

    FileBytes(FileBytes&&) noexcept = default;
    FileBytes& operator=(FileBytes&&) noexcept = default;

    const char* data() const { return m_pData.get(); }
    std::size_t size() const { return m_nSize; }
    std::string_view View() const { return {data(), m_nSize}; }

private:
    struct Release {
        std::size_t mapped = 0; // bytes mapped, or 0 for memory of operator new[]
        void operator()(char* block) const;
    };
    FileBytes(std::unique_ptr<char, Release> data, std::size_t size)
        : m_pData(std::move(data)), m_nSize(size) {}
    static std::unique_ptr<char, Release> Allocate(std::size_t bytes);

    std::unique_ptr<char, Release> m_pData;
    std::size_t m_nSize = 0;
};

} // namespace ombrix
