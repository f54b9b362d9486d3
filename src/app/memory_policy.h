#pragma once
// How the program's memory is handed back to the system.

namespace brevane {

/// Asks the C library to keep memory the program frees for its next use rather than handing it back
/// to the system after every large free. Each load and save of a file of many thousand lines
/// allocates and frees buffers of the file's size; under glibc's adaptive limits, whether they came
/// back as fresh pages (a page fault every 4 KB, which costs more than the save's own work) depended
/// on what had been freed before, so the same save took twice as long or half. Keeps at most 128 MB
/// in reserve. Nothing changes where the C library is not glibc.
void keepFreedMemoryForReuse();

} // namespace brevane
