#pragma once

#include "platform/core/text/Vdn_String.h"

namespace core {

// The merged value of texts met one by one, as records over several objects show it: the
// common text, or the empty (undetermined) text once two differ.
class MergedText {
public:
    void add(const Vdn_String& text) {
        if (count_++ == 0)
            text_ = text;
        else if (text_ != text)
            text_ = Vdn_String();
    }
    const Vdn_String& text() const { return text_; }
    bool isEmpty() const { return count_ == 0; }

private:
    int count_ = 0;
    Vdn_String text_;
};

} // namespace core
