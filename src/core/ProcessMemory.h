#pragma once

namespace zort {

// Lets every thread of the process take its memory from one pool. The database calls
// run on a thread of their own and read rows that the windows' thread keeps and
// frees, and export pages are drawn on worker threads: with a pool per thread, the
// memory a thread frees goes back to another thread's pool, where neither finds it
// quickly again (a list of thousands of rows read a quarter slower) and each pool
// keeps freed pages of its own. Called first thing in main(), before any thread.
void useOneMemoryPool();

} // namespace zort
