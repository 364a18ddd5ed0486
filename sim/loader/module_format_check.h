// Checks that a file is a complete module of a given format before the system's loader maps it.
// Rationale: the loaders trust a module's headers and map its segments straight from the file, so a
// module cut short (a half-finished copy) makes them touch pages past the end of the file, and the
// process dies of a bus error instead of getting an error back. The check reads only bytes, so it can
// check either format on any platform.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace kadenzo::sim {

enum class ModuleFormat {
    elfSharedObjectX86_64, // Linux: ELF64, little-endian, x86-64, a shared object
    peDllX86_64,           // Windows: PE32+, AMD64, a DLL
};

// Random access to the bytes of a module file.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies LENGTH bytes from OFFSET into OUT; false when they do not all lie within the source or
    // cannot be read.
    virtual bool read(std::uint64_t offset, void* out, std::size_t length) const = 0;
};

// A module image held in memory; the bytes must outlive it.
class MemoryBytes : public ByteSource {
public:
    explicit MemoryBytes(const std::vector<unsigned char>& bytes) : bytes(bytes) {}
    std::uint64_t size() const override { return bytes.size(); }
    bool read(std::uint64_t offset, void* out, std::size_t length) const override {
        if (offset > bytes.size() || length > bytes.size() - offset) return false;
        if (length > 0) std::memcpy(out, bytes.data() + offset, length);
        return true;
    }

private:
    const std::vector<unsigned char>& bytes;
};

// What keeps the module from being one of FORMAT whose loadable parts all lie within the file, in
// words for a person ("the file is cut short: its loadable segment 2 ends at byte 1234567 but the file
// has 100000 bytes", "not a 64-bit x86 shared object: it is built for AArch64"); nothing when it is
// one. Only headers are read, never the whole file.
std::optional<std::string> findModuleFormatFault(const ByteSource& file, ModuleFormat format);

} // namespace kadenzo::sim
