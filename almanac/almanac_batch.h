#pragma once
// A batch of almanac look-ups that share one look at yiji.db.
//
// The first look-up inside a batch checks the file once (one stat; the write-ahead log's two companions
// too for a file in WAL mode), opens it again when it was replaced, and starts one read transaction, which
// the end of the batch closes. Every look-up of the batch then reads that one consistent state without a
// further look at the file system. A look-up outside any batch is a batch of its own; a batch inside
// another joins the outer one. The widget makes each refresh one batch, `--info` its whole range.
//
// A file that another program holds locked is waited for at most `busyWaitMs` in all; after that every
// look-up of the batch throws the same CppSQLite3Exception (SQLITE_BUSY), and the next batch tries again.
// UI thread only.
#include <cstdint>

// Waits for another program's lock: a refresh of the widget never blocks its window for longer.
inline constexpr int kRefreshBusyWaitMs = 20;
// A command (`--info`) waits about 5 s in all, then gives up with an error.
inline constexpr int kCommandBusyWaitMs = 5000;

enum class AlmanacCheck {
  File,           // look at the file (at the batch's first look-up)
  AsLastChecked,  // take the file as the last batch found it, without a look (painting between refreshes)
};

class AlmanacBatch {
 public:
  explicit AlmanacBatch(int busyWaitMs = kRefreshBusyWaitMs, AlmanacCheck check = AlmanacCheck::File) noexcept;
  ~AlmanacBatch();
  AlmanacBatch(const AlmanacBatch&) = delete;
  AlmanacBatch& operator=(const AlmanacBatch&) = delete;

  // Looks once more whether the file is still there (one stat). When it has gone since the batch looked,
  // the batch goes on without it (every look-up answers as without a database) and this returns true,
  // once. Long batches (`--info` over years) ask now and then.
  bool NoticeFileGone();

 private:
  bool outermost;
  int exceptionsAtStart;
};

// Changes whenever a batch finds the file different from what the last batch found (appeared, gone,
// replaced, changed by another program), and after a batch whose look-ups failed, so that answers given
// without the almanac are asked again. Inside a batch it first checks the file, if the batch has not yet;
// outside one it makes no file-system call. Memos of the look-ups' answers compare it.
std::uint64_t AlmanacGeneration();

// Names the batch under way (equal values: the same outermost batch), 0 outside any batch. Lets other
// files read beside yiji.db (the user's notes) be looked at once per batch too.
std::uint64_t CurrentAlmanacBatch();
