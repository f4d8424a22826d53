#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corrolab {

// Which figures of the tools window go to the main window's frame.
enum class HandBackMethod {
    Classic, // the classic mass-fraction means, the program's documented figures
    G102, // the ASTM G102 electron-equivalent mean with its density
};

// The stored word of a method ("classic", "g102") and back; an unknown word
// gives std::nullopt.
std::string_view MethodWord(HandBackMethod method);
std::optional<HandBackMethod> MethodFromWord(std::string_view word);

// The material name the main window shows for a material handed back by a
// method: the classic figures keep the name ("Iron"), the G102 figures say so
// ("Iron (G102)").
std::string NameWithMethod(const std::string& name, HandBackMethod method);

} // namespace corrolab
