#include "tests/support/recordingdialogs.h"

toolkit::TModalResult RecordingDialogs::Message(const toolkit::MessageRequest& request)
{
    messages.push_back({request.owner, request.text, request.title, request.icon, request.buttons,
                        observe ? observe() : Observation{}});
    return toolkit::TModalResult::Ok;
}

std::optional<QString> RecordingDialogs::OpenFile(const toolkit::OpenFileRequest& request)
{
    openRequests.push_back(request);
    if (choices.empty()) return std::nullopt;
    std::optional<QString> choice;
    choice.swap(choices.front());
    choices.pop_front();
    return choice;
}
