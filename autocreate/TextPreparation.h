#pragma once

#include <QString>

class fomPelmor;

// The text without every carriage return that is directly followed by another one.
QString removeDoubleCr(const QString& text);

// Steps that prepare a document's text.
class TextPreparation {
public:
    explicit TextPreparation(fomPelmor& window) : w(window) {}

    // Cleans doubled carriage returns out of the current editor; a text without them is not touched.
    void RemoveDoubleCr();

private:
    fomPelmor& w;
};
