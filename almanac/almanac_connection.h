#pragma once
// The look-ups' way to the kept yiji.db (see almanac/almanac_batch.h). UI thread only.

class AlmanacFile;

// The file as the current batch found it, or null when there is none. Throws the batch's failure (a busy
// or broken file) as CppSQLite3Exception. Only inside a batch.
AlmanacFile* UseAlmanac();

// Closes the kept connection and forgets what the last look found (the next batch looks afresh).
void ReleaseAlmanacConnection();
