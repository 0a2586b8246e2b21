#pragma once

#include "platform/core/text/Vdn_String.h"

namespace core {

// The merged value of texts met one by one, as records over several objects show it: the
// common text, or the empty (undetermined) text once two differ.
class MergedText {
public:
    void add(const Vdn_String& text) {
        if (mCount++ == 0)
            mText = text;
        else if (mText != text)
            mText = Vdn_String();
    }
    const Vdn_String& text() const { return mText; }
    bool isEmpty() const { return mCount == 0; }

private:
    int mCount = 0;
    Vdn_String mText;
};

} // namespace core
