#pragma once
// The narrow way the model tells the main dialog what it changed: the reader's
// field updates and the object buttons' texts. The application implements it
// over the real dialog; without a dialog every call does nothing.

class DialogLink {
public:
    virtual ~DialogLink() = default;
    // Shows `value` as an unsigned number in edit control `controlId`.
    virtual void SetFieldUnsigned(int controlId, unsigned value) { (void)controlId; (void)value; }
    // Sets the text ("x" or "o") of the object button of `slot`.
    virtual void SetObjectButtonText(int slot, const char* text) { (void)slot; (void)text; }
};

// A link that goes nowhere, for a model with no dialog (tools, tests).
DialogLink& NullDialogLink();
