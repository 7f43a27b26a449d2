#include "modalscript.h"

void ModalScript::AnswerButton(int button) {
    ModalReply reply;
    reply.button = button;
    replies.push_back(reply);
}

void ModalScript::ChooseFile(std::string path) {
    ModalReply reply;
    reply.chosen = true;
    reply.path = std::move(path);
    replies.push_back(reply);
}

void ModalScript::CancelFile() { replies.push_back(ModalReply{}); }

ModalReply ModalScript::Answer(const ModalRequest& request) {
    requests.push_back(request);
    if (!replies.empty()) {
        ModalReply reply = replies.front();
        replies.pop_front();
        return reply;
    }
    ++unexpected;
    ModalReply fallback;
    fallback.button = request.kind == ModalRequest::Kind::MessageBox && request.buttons == MB_OK ? IDOK : IDCANCEL;
    return fallback;
}

void ModalScript::Clear() {
    replies.clear();
    requests.clear();
    unexpected = 0;
}
