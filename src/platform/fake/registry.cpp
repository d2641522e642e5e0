#include "platform/fake/state.h"
#include "platform/registry.h"

namespace {

std::pair<int, Text> KeyOf(RegRoot root, const Text& path) { return {int(root), UpperAscii(path)}; }

Text Expand(const Text& text) {
    Text out;
    for (size_t at = 0; at < text.size();) {
        size_t close = text[at] == '%' ? text.find('%', at + 1) : Text::npos;
        if (close == Text::npos) {
            out += text[at++];
            continue;
        }
        auto found = fake::S().environment.find(UpperAscii(text.substr(at + 1, close - at - 1)));
        if (found == fake::S().environment.end()) {
            out += text.substr(at, close - at + 1);
        } else {
            out += found->second;
        }
        at = close + 1;
    }
    return out;
}

bool Write(RegRoot root, const Text& path, const fake::RegValue& value, const Text& shown) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    if (fake::S().refuseRegWrites) return false;
    fake::S().registry[KeyOf(root, path)] = value;
    fake::S().regWrites.push_back(path + "=" + shown);
    return true;
}

}  // namespace

Text RegReadText(RegRoot root, const Text& path) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    auto found = fake::S().registry.find(KeyOf(root, path));
    if (found == fake::S().registry.end()) return Text();
    const fake::RegValue& v = found->second;
    if (v.type == fake::RegType::Sz) return StoredText(v.data);
    if (v.type == fake::RegType::ExpandSz) return Expand(StoredText(v.data));
    return Text();
}

bool RegWriteText(RegRoot root, const Text& path, const Text& value) {
    return Write(root, path, {fake::RegType::Sz, value, 0}, value);
}

bool RegWriteDword(RegRoot root, const Text& path, uint32_t value) {
    return Write(root, path, {fake::RegType::Dword, std::string(), value}, "dword:" + std::to_string(value));
}

bool RegValueExists(RegRoot root, const Text& path) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    return fake::S().registry.count(KeyOf(root, path)) != 0;
}

namespace fake {

void SetRegValue(RegRoot root, const Text& path, const RegValue& value) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().registry[KeyOf(root, path)] = value;
}

void SetRegText(RegRoot root, const Text& path, const Text& value) {
    SetRegValue(root, path, {RegType::Sz, value, 0});
}

std::optional<RegValue> GetRegValue(RegRoot root, const Text& path) {
    std::lock_guard<std::mutex> lock(S().mutex);
    auto found = S().registry.find(KeyOf(root, path));
    if (found == S().registry.end()) return std::nullopt;
    return found->second;
}

std::vector<Text> RegWrites() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().regWrites;
}

void RefuseRegistryWrites(bool refuse) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().refuseRegWrites = refuse;
}

void SetEnvironment(const Text& name, const Text& value) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().environment[UpperAscii(name)] = value;
}

}  // namespace fake
