#pragma once

#include <string>
#include <string_view>

#include "platform/interaction.h"

namespace quillor {

// "File Exists": asked before a frame file of an animation save replaces one that is
// there, with answers for this file and for every later one.
class FileExistsModel final : public DialogModel {
public:
    static constexpr std::string_view kTitle = "File Exists";
    static constexpr std::string_view kQuestion = "%s already exists. Overwrite?";
    static constexpr std::string_view kYesText = "Yes";
    static constexpr std::string_view kNoText = "No";
    static constexpr std::string_view kYesToAllText = "Yes to All";
    static constexpr std::string_view kNoToAllText = "No To All";
    static constexpr std::string_view kCancelText = "Cancel";

    enum class Reply { Yes, No, YesToAll, NoToAll, Cancel };

    explicit FileExistsModel(std::string name) : name_(std::move(name)) {}

    std::string_view Title() const override { return kTitle; }
    const std::string& Name() const { return name_; }
    // The question with the file's name.
    std::string Question() const;

    // Cancel until a button says otherwise, so a dialog closed any other way stops.
    Reply GetReply() const { return reply_; }
    void SetReply(Reply reply) { reply_ = reply; }

private:
    std::string name_;
    Reply reply_ = Reply::Cancel;
};

}  // namespace quillor
