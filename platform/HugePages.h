#pragma once

#include <QtGlobal>

// A large buffer that is about to be written from start to end (a file read whole, a decoded
// text, the styles of a whole text) is best backed by transparent huge pages: every fresh page
// costs a page fault on its first write, and on a virtual machine these are dear (10 MB of fresh
// memory in small pages costs tens of milliseconds, in huge pages a few). Where the system hands
// out huge pages only when asked (the usual "madvise" setting), this asks for them for the
// 2 MB blocks inside the buffer; for small buffers, or where it is not possible, it does nothing.
// Call it before the buffer is first written.
void adviseHugePages(void* data, qsizetype size);
