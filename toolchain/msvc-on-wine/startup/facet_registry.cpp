// Stand-in for the piece of the STL that Visual C++ links statically into every module
// (stl/src/locale0_implib.cpp, which needs closed runtime headers to build): std::_Facet_Register,
// which keeps each locale facet the module created on demand until the module's statics are
// destroyed, and then frees it.
#include <locale>

namespace {

struct FacetNode {
    FacetNode* next;
    std::_Facet_base* facet;
};

FacetNode* facets = nullptr;

struct FacetsFreedAtExit {
    ~FacetsFreedAtExit() {
        while (facets) {
            FacetNode* node = facets;
            facets = node->next;
            delete node->facet->_Decref();
            delete node;
        }
    }
};

#pragma init_seg(lib)
const FacetsFreedAtExit facetsFreedAtExit;

} // namespace

void __CLRCALL_OR_CDECL std::_Facet_Register(std::_Facet_base* facet) {
    facets = new FacetNode{facets, facet};
}
