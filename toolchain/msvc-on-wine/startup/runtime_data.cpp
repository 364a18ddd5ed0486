// Stand-in for the small data and functions that the Visual C++ runtime's static part gives every
// module: type_info's destructor (and with it the vtable every RTTI descriptor points at), the
// module's list of type names, and the markers the compiler and the STL refer to.
#include <vcruntime_typeinfo.h>
#include <windows.h>

type_info::~type_info() noexcept {}

// type_info's virtual table, which every RTTI type descriptor points at. Nothing here constructs a
// type_info, so the compiler would not emit it: it is spelled out, its one slot being the scalar
// deleting destructor. (No RTTI locator precedes it: nothing asks a type_info for its own type.)
namespace {
void* __cdecl scalar_deleting_destructor(type_info* self, unsigned int flags) {
    self->~type_info();
    if (flags & 1) operator delete(self);
    return self;
}
} // namespace
extern "C" const void* const type_info_vftable[] __asm__("??_7type_info@@6B@") = {
    reinterpret_cast<const void*>(&scalar_deleting_destructor),
};

// The undecorated names type_info::name() allocated, freed when the module is unloaded.
struct __type_info_node {
    SLIST_HEADER _Header;
};
extern "C" __type_info_node __type_info_root_node{};

// The compiler refers to it in every module that uses floating point.
extern "C" int _fltused = 0x9875;

// The instruction set level that the STL's vectorized algorithms may assume: the x86-64 baseline.
extern "C" int __isa_available = 0;
