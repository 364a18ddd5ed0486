// The check of a module file before it is loaded. The built module passes; copies of it cut short or
// with a damaged header fail with what is wrong, and loading them is an error, not a crash. Both
// formats are checked everywhere, on small images built here.
//
// Index of this file:
// - Bytes
// - Small complete modules
// - Damage
// - Tests
#include "built_modules.h"
#include "loader/module_format_check.h"
#include "loader/modules.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

using namespace kadenzo::sim;
using test::builtPlugin;
using Bytes = std::vector<unsigned char>;

// ---- Bytes -------------------------------------------------------------------------------------

Bytes readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void put(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t width) {
    for (std::size_t index = 0; index < width; ++index)
        bytes[at + index] = static_cast<unsigned char>(value >> (8 * index));
}

std::uint64_t get(const Bytes& bytes, std::size_t at, std::size_t width) {
    std::uint64_t value = 0;
    for (std::size_t index = width; index > 0; --index)
        value = value << 8 | bytes[at + index - 1];
    return value;
}

std::string faultOf(const Bytes& bytes, ModuleFormat format) {
    return findModuleFormatFault(MemoryBytes(bytes), format).value_or("");
}

// ---- Small complete modules --------------------------------------------------------------------

// The header, one program header whose loadable segment is the whole file, and a section header
// table of one empty entry.
Bytes elfImage() {
    Bytes image(64 + 56 + 64);
    const unsigned char identity[] = {0x7f, 'E', 'L', 'F', 2, 1, 1};
    std::copy(std::begin(identity), std::end(identity), image.begin());
    put(image, 16, 3, 2);   // a shared object
    put(image, 18, 62, 2);  // x86-64
    put(image, 20, 1, 4);   // version
    put(image, 32, 64, 8);  // program headers
    put(image, 40, 120, 8); // section headers
    put(image, 52, 64, 2);
    put(image, 54, 56, 2);
    put(image, 56, 1, 2);
    put(image, 58, 64, 2);
    put(image, 60, 1, 2);
    put(image, 64, 1, 4); // loadable, from byte 0, the whole file
    put(image, 64 + 32, image.size(), 8);
    put(image, 64 + 40, image.size(), 8);
    return image;
}

// A DOS header pointing at the PE header, an optional header and one section whose raw data ends the
// file.
Bytes peImage() {
    Bytes image(0x400);
    image[0] = 'M';
    image[1] = 'Z';
    put(image, 0x3c, 64, 4);
    const unsigned char signature[] = {'P', 'E', 0, 0};
    std::copy(std::begin(signature), std::end(signature), image.begin() + 64);
    put(image, 68, 0x8664, 2); // AMD64
    put(image, 70, 1, 2);      // one section
    put(image, 84, 240, 2);    // optional header size
    put(image, 86, 0x2022, 2); // a DLL
    put(image, 88, 0x20b, 2);  // PE32+
    const unsigned char name[] = {'.', 't', 'e', 'x', 't'};
    std::copy(std::begin(name), std::end(name), image.begin() + 328);
    put(image, 328 + 16, 0x200, 4);
    put(image, 328 + 20, 0x200, 4);
    return image;
}

// ---- Damage ------------------------------------------------------------------------------------

// Each applies to any complete module of its format, finding the fields through the module's own
// headers.
struct Damage {
    const char* what;
    std::function<void(Bytes&)> apply;
    const char* reason; // the start of the check's message
};

std::size_t firstLoadableSegment(const Bytes& image) {
    std::size_t entry = get(image, 32, 8);
    while (get(image, entry, 4) != 1)
        entry += 56;
    return entry;
}

std::size_t peHeader(const Bytes& image) {
    return get(image, 0x3c, 4);
}

std::size_t firstRawSection(const Bytes& image) {
    std::size_t entry = peHeader(image) + 24 + get(image, peHeader(image) + 20, 2);
    while (get(image, entry + 16, 4) == 0)
        entry += 40;
    return entry;
}

const Damage elfDamage[] = {
    {"wrong magic", [](Bytes& image) { image[1] = 'X'; },
     "not a 64-bit x86 shared object: it is not an ELF file"},
    {"32-bit", [](Bytes& image) { image[4] = 1; }, "not a 64-bit x86 shared object: it is a 32-bit ELF file"},
    {"wrong machine", [](Bytes& image) { put(image, 18, 183, 2); },
     "not a 64-bit x86 shared object: it is built for AArch64"},
    {"an executable", [](Bytes& image) { put(image, 16, 2, 2); },
     "not a 64-bit x86 shared object: it is an executable"},
    {"program header table past the end", [](Bytes& image) { put(image, 32, image.size() - 8, 8); },
     "the file is cut short: its program header table ends at byte"},
    {"segment past the end",
     [](Bytes& image) { put(image, firstLoadableSegment(image) + 32, image.size() + 1, 8); },
     "the file is cut short: its loadable segment 1 ends at byte"},
    {"section header table past the end", [](Bytes& image) { put(image, 40, image.size(), 8); },
     "the file is cut short: its section header table ends at byte"},
};

const Damage peDamage[] = {
    {"wrong magic", [](Bytes& image) { image[0] = 'N'; }, "not a 64-bit x86 DLL: it is not a Windows module"},
    {"PE header past the end", [](Bytes& image) { put(image, 0x3c, image.size() - 4, 4); },
     "the file is cut short: its PE header ends at byte"},
    {"no PE signature", [](Bytes& image) { image[peHeader(image) + 1] = 'X'; },
     "not a 64-bit x86 DLL: it has no PE signature"},
    {"wrong machine", [](Bytes& image) { put(image, peHeader(image) + 4, 0x14c, 2); },
     "not a 64-bit x86 DLL: it is built for 32-bit x86"},
    {"PE32", [](Bytes& image) { put(image, peHeader(image) + 24, 0x10b, 2); },
     "not a 64-bit x86 DLL: it is a 32-bit module (PE32)"},
    {"a program", [](Bytes& image) { image[peHeader(image) + 23] &= 0xdf; },
     "not a 64-bit x86 DLL: it is a program, not a DLL"},
    {"section table past the end", [](Bytes& image) { put(image, peHeader(image) + 6, 0xffff, 2); },
     "the file is cut short: its section table ends at byte"},
    {"section past the end", [](Bytes& image) { put(image, firstRawSection(image) + 16, image.size(), 4); },
     "the file is cut short: its section 1 ("},
};

struct FormatCase {
    ModuleFormat format;
    Bytes (*image)();
    const Damage* damage;
    std::size_t damageCount;
};

const FormatCase formatCases[] = {
    {ModuleFormat::elfSharedObjectX86_64, elfImage, elfDamage, std::size(elfDamage)},
    {ModuleFormat::peDllX86_64, peImage, peDamage, std::size(peDamage)},
};

void expectEachDamageNamed(const Bytes& module, const FormatCase& format) {
    for (std::size_t index = 0; index < format.damageCount; ++index) {
        const Damage& damage = format.damage[index];
        Bytes damaged = module;
        damage.apply(damaged);
        EXPECT_EQ(faultOf(damaged, format.format).rfind(damage.reason, 0), 0u)
            << damage.what << ": " << faultOf(damaged, format.format);
    }
}

const FormatCase& nativeFormat() {
    return formatCases[kadenzo::sim::nativeModuleFormat() == ModuleFormat::elfSharedObjectX86_64 ? 0 : 1];
}

// ---- Tests -------------------------------------------------------------------------------------

TEST(ModuleFormatCheck, SmallModulesPassAndEachDamageIsNamed) {
    for (const FormatCase& format : formatCases) {
        const Bytes module = format.image();
        EXPECT_EQ(faultOf(module, format.format), "");
        expectEachDamageNamed(module, format);
    }
}

TEST(ModuleFormatCheck, TheBuiltModulePassesAndEachDamageOfItIsNamed) {
    const Bytes module = readFile(builtPlugin());
    ASSERT_FALSE(module.empty()) << builtPlugin();
    EXPECT_EQ(faultOf(module, kadenzo::sim::nativeModuleFormat()), "");
    expectEachDamageNamed(module, nativeFormat());
}

TEST(ModuleFormatCheck, AModuleOfTheOtherFormatIsRefused) {
    EXPECT_EQ(faultOf(elfImage(), ModuleFormat::peDllX86_64),
              "not a 64-bit x86 DLL: it is not a Windows module");
    EXPECT_EQ(faultOf(peImage(), ModuleFormat::elfSharedObjectX86_64),
              "not a 64-bit x86 shared object: it is not an ELF file");
}

TEST(ModuleFormatCheck, AModuleCutShortAnywhereSaysSo) {
    for (const FormatCase& format : formatCases) {
        const Bytes module = format.image();
        EXPECT_EQ(faultOf(Bytes(), format.format), "the file is empty");
        for (std::size_t length = 1; length < module.size(); ++length) {
            const std::string fault = faultOf(Bytes(module.begin(), module.begin() + length), format.format);
            EXPECT_EQ(fault.rfind("the file is cut short: ", 0), 0u) << length << ": " << fault;
        }
    }
    const Bytes elf = elfImage();
    EXPECT_EQ(faultOf(Bytes(elf.begin(), elf.begin() + 1), ModuleFormat::elfSharedObjectX86_64),
              "the file is cut short: it has 1 byte, fewer than the 64 of its ELF header");
    EXPECT_EQ(faultOf(Bytes(elf.begin(), elf.begin() + 100), ModuleFormat::elfSharedObjectX86_64),
              "the file is cut short: its program header table ends at byte 120 but the file has 100 bytes");
}

// A half-copied plugin used to crash the process inside the system's loader.
TEST(LoadingAModule, ACopyCutShortIsRefusedWithTheReasonAndTheRealOneLoadsAfter) {
    const Bytes module = readFile(builtPlugin());
    ASSERT_GT(module.size(), 200000u);
    Simulator simulator;
    for (const std::size_t length :
         {std::size_t{1000}, std::size_t{4096}, std::size_t{30000}, std::size_t{100000}, module.size() / 2}) {
        const std::string path = ::testing::TempDir() + "cut-short-" + std::to_string(length) +
                                 builtPlugin().substr(builtPlugin().rfind('.'));
        writeFile(path, Bytes(module.begin(), module.begin() + static_cast<std::ptrdiff_t>(length)));
        try {
            loadPlugin(simulator, path);
            ADD_FAILURE() << length << " bytes loaded";
        } catch (const ConsoleError& error) {
            EXPECT_EQ(std::string(error.what())
                          .rfind("cannot load module " + path + ": the file is cut short: ", 0),
                      0u)
                << error.what();
            EXPECT_NE(std::string(error.what()).find("but the file has " + std::to_string(length) + " bytes"),
                      std::string::npos)
                << error.what();
        }
        EXPECT_EQ(simulator.plugin, nullptr);
        std::remove(path.c_str());
    }
    loadPlugin(simulator, builtPlugin());
    EXPECT_NE(simulator.plugin, nullptr);
}

} // namespace
