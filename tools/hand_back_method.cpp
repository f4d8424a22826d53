#include "tools/hand_back_method.h"

namespace corrolab {

std::string_view MethodWord(HandBackMethod method)
{
    return method == HandBackMethod::G102 ? "g102" : "classic";
}

std::optional<HandBackMethod> MethodFromWord(std::string_view word)
{
    if (word == "classic")
        return HandBackMethod::Classic;
    if (word == "g102")
        return HandBackMethod::G102;
    return std::nullopt;
}

std::string NameWithMethod(const std::string& name, HandBackMethod method)
{
    if (method == HandBackMethod::Classic)
        return name;
    return name.empty() ? std::string("(G102)") : name + " (G102)";
}

} // namespace corrolab
