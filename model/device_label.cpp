#include "model/device_label.h"

#include "core/number_text.h"

namespace ampera::model {

std::string withUnit(const std::string& text, const char* unit) {
    return isBlankText(text) ? std::string() : text + " " + unit;
}

std::string deviceLabel(ProtectiveDevice device, const std::string& in, const std::string& iset) {
    std::string text = kDeviceShortTexts[static_cast<std::size_t>(device) - 1];
    if (const std::string rated = withUnit(in, "А"); !rated.empty()) text += " " + rated;
    const std::string setting = withUnit(iset, "А");
    if (device == ProtectiveDevice::BreakerInstantaneous && !setting.empty())
        text += (isBlankText(in) ? " Iуст " : ", Iуст ") + setting;
    return text;
}

}  // namespace ampera::model
