#pragma once

#include <stdexcept>
#include <string>

namespace trb::tables {

// Every failure of the dBase engine. The access layer catches these and shows their text.
enum class DbfErrorCode {
    NotDbase,
    InvalidField,
    OutOfRange,
    UnexpectedEof,
    AlreadyInUse,
    NotOpen,
    IndexNotOpen,
    CorruptIndex,
    WrongIndexVersion,
    ExclusiveRequired,
    Dbase4Memo,
    InvalidMemoAddress,
    MemoWriteError,
    MemoAlreadyOpen,
    RecordNotLocked,
    FileNotLocked,
    SemaphoreError,
    NetworkError,
    FormatNotSupported,
    Unknown,
    FileNotFound,
    PathNotFound,
    AccessDenied,
    SharingViolation,
    LockViolation,
    DiskFull,
    BadTextFile,
};

// The German text of an error, in code page 850 like every stored text of the program.
const char* DbfErrorText(DbfErrorCode code);

// The engine error for an operating-system error number (errno).
DbfErrorCode DbfErrorFromErrno(int error);

class DbfError : public std::runtime_error {
  public:
    explicit DbfError(DbfErrorCode code, const std::string& detail = {}, const std::string& note = {});
    DbfErrorCode Code() const { return code_; }
    // The file or field the failure concerns; may be empty.
    const std::string& Detail() const { return detail_; }
    // Where in the file, or what is wrong there, in code page 850 ("Zeile 3: 2 statt 4 Werte"); may
    // be empty.
    const std::string& Note() const { return note_; }

  private:
    DbfErrorCode code_;
    std::string detail_;
    std::string note_;
};

// Throws the engine error for errno, naming the file.
[[noreturn]] void ThrowErrno(int error, const std::string& file);

}  // namespace trb::tables
