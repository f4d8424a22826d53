#pragma once

#include <string>
#include <utility>

namespace corrolab {

// A shared library opened when it is first needed instead of at start, so that a
// program that never reads a zip archive or fits a curve never loads the library
// that does it. A library is opened once and stays open until the process ends.
class SharedLibrary
{
public:
    // The library of that file name (found as the dynamic linker finds any) or
    // path. Throws std::runtime_error with a one-line reason ("cannot load
    // libzip.so.4: ...") when it cannot be opened. `global` makes its symbols
    // available to the libraries opened after it (GSL's CBLAS, say).
    static const SharedLibrary& Open(const std::string& name, bool global = false);

    // The address of a function or object of the library; throws when it has none.
    void* Address(const char* symbol) const;

    // A function of the library, typed by the declaration of its own header:
    // `library.Function<decltype(zip_fread)>("zip_fread")`, or through
    // CORROLAB_LIBRARY_FUNCTION(library, zip_fread).
    template <class Signature> Signature* Function(const char* symbol) const
    {
        return reinterpret_cast<Signature*>(Address(symbol));
    }

    const std::string& name() const { return name_; }

private:
    SharedLibrary(std::string name, void* handle)
        : name_(std::move(name))
        , handle_(handle)
    { }

    std::string name_;
    void* handle_;
};

} // namespace corrolab

// The function of that name in `library`, typed by its declaration.
#define CORROLAB_LIBRARY_FUNCTION(library, symbol) (library).Function<decltype(symbol)>(#symbol)
