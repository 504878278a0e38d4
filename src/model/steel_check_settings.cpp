#include "model/steel_check_settings.h"

namespace spanrix {

std::string_view designMethodName(DesignMethod method)
{
    return method == DesignMethod::Lrfd ? "lrfd" : "asd";
}

std::optional<DesignMethod> designMethodFromName(std::string_view name)
{
    if (name == "lrfd") return DesignMethod::Lrfd;
    if (name == "asd") return DesignMethod::Asd;
    return std::nullopt;
}

}  // namespace spanrix
