#include "platform/dialogs.h"
#include "platform/fake/state.h"

void ShowMessage(const Text& text, int icon, const Text& title) {
    fake::ShownMessage shown{text, icon, title};
    std::function<void(const fake::ShownMessage&)> hook;
    {
        std::lock_guard<std::mutex> lock(fake::S().mutex);
        fake::S().messages.push_back(shown);
        hook = fake::S().messageHook;
    }
    if (hook) hook(shown);
}

bool InputBox(const Text& prompt, const Text& title, Text& text, int mode) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    fake::S().inputs.push_back({prompt, title, text, mode});
    auto& answers = fake::S().inputAnswers;
    if (answers.empty()) return false;
    auto answer = answers.front();
    answers.pop_front();
    if (answer.first) text = answer.second;
    return answer.first;
}

Text BrowseForFolder(const Text& title) {
    std::lock_guard<std::mutex> lock(fake::S().mutex);
    fake::S().folderTitles.push_back(title);
    auto& answers = fake::S().folderAnswers;
    if (answers.empty()) return Text();
    Text path = answers.front();
    answers.pop_front();
    return path;
}

namespace fake {

std::vector<ShownMessage> Messages() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().messages;
}

std::vector<AskedInput> Inputs() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().inputs;
}

void QueueInput(bool confirm, const Text& text) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().inputAnswers.push_back({confirm, text});
}

void QueueFolder(const Text& path) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().folderAnswers.push_back(path);
}

std::vector<Text> FolderTitles() {
    std::lock_guard<std::mutex> lock(S().mutex);
    return S().folderTitles;
}

void OnMessage(std::function<void(const ShownMessage&)> hook) {
    std::lock_guard<std::mutex> lock(S().mutex);
    S().messageHook = std::move(hook);
}

}  // namespace fake
