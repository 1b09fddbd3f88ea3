#pragma once

// A file-size limit (RLIMIT_FSIZE, set by shells, job schedulers and containers) would end the
// process with SIGXFSZ in the middle of a write. Ignored, the write fails with EFBIG instead, and
// the store or export reports it as any other failed write. Called once at start-up.
void IgnoreFileSizeSignal();
