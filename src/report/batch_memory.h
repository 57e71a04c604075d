#pragma once

// Lets the allocator keep what a page or a part of a report frees for the next one instead of
// handing it back to the system and faulting it in again: writing a batch allocates and frees
// the same sizes over and over. Called once, at the start of a program.
void KeepFreedMemoryForReuse();
