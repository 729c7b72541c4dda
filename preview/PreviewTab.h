#pragma once

class fomPelmor;

// Switching between a document's source tab and its preview tab.
class PreviewTab {
public:
    explicit PreviewTab(fomPelmor& window) : w(window) {}

    void TabStrip1_Click();

private:
    fomPelmor& w;
};
