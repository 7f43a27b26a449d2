#pragma once
// Scripted answers for message boxes and file dialogs, and a record of every
// question asked. A question with no answer scripted is still answered
// (Cancel, or OK for a box that has only OK) and counted as unexpected.

#include <deque>
#include <string>
#include <vector>

#include "modalhook.h"

class ModalScript {
public:
    void AnswerButton(int button);
    void ChooseFile(std::string path);
    void CancelFile();

    ModalReply Answer(const ModalRequest& request);

    const std::vector<ModalRequest>& Requests() const { return requests; }
    int Unexpected() const { return unexpected; }
    std::size_t Unused() const { return replies.size(); }
    void Clear();

private:
    std::deque<ModalReply> replies;
    std::vector<ModalRequest> requests;
    int unexpected = 0;
};
