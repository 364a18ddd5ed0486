// Stand-in for the Visual C++ toolset's <vcruntime_exception.h> (not open source): std::exception with
// the documented layout (a vtable pointer, then the message and whether the exception owns a copy of
// it), copied and freed by vcruntime140.dll's __std_exception_copy and __std_exception_destroy, and
// the exceptions derived from it that the runtime itself throws.
#pragma once
#include <vcruntime.h>
#include <eh.h>

#ifdef __cplusplus
#pragma pack(push, _CRT_PACKING)

extern "C" {
struct __std_exception_data {
    char const* _What;
    bool _DoFree;
};
_VCRTIMP void __cdecl __std_exception_copy(__std_exception_data const* _From, __std_exception_data* _To);
_VCRTIMP void __cdecl __std_exception_destroy(__std_exception_data* _Data);
}

namespace std {

class exception {
public:
    exception() noexcept : _Data() {}
    explicit exception(char const* const _Message) noexcept : _Data() {
        __std_exception_data _InitData = {_Message, true};
        __std_exception_copy(&_InitData, &_Data);
    }
    // Keeps the pointer without copying: for string literals.
    exception(char const* const _Message, int) noexcept : _Data() { _Data._What = _Message; }
    exception(exception const& _Other) noexcept : _Data() { __std_exception_copy(&_Other._Data, &_Data); }
    exception& operator=(exception const& _Other) noexcept {
        if (this == &_Other) return *this;
        __std_exception_destroy(&_Data);
        __std_exception_copy(&_Other._Data, &_Data);
        return *this;
    }
    virtual ~exception() noexcept { __std_exception_destroy(&_Data); }
    _NODISCARD virtual char const* what() const { return _Data._What ? _Data._What : "Unknown exception"; }

private:
    __std_exception_data _Data;
};

class bad_exception : public exception {
public:
    bad_exception() noexcept : exception("bad exception", 1) {}
};

class bad_alloc : public exception {
public:
    bad_alloc() noexcept : exception("bad allocation", 1) {}

private:
    friend class bad_array_new_length;
    bad_alloc(char const* const _Message) noexcept : exception(_Message, 1) {}
};

class bad_array_new_length : public bad_alloc {
public:
    bad_array_new_length() noexcept : bad_alloc("bad array new length") {}
};

} // namespace std

#pragma pack(pop)
#endif
