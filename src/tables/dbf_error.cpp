#include "tables/dbf_error.h"

#include <cerrno>

namespace trb::tables {

const char* DbfErrorText(DbfErrorCode code) {
    switch (code) {
        case DbfErrorCode::NotDbase:
            return "Keine dBASE-Datei";
        case DbfErrorCode::InvalidField:
            return "Unzul\x84ssige Feldangabe";
        case DbfErrorCode::OutOfRange:
            return "Anfrage au\xE1"
                   "erhalb Bereich";
        case DbfErrorCode::UnexpectedEof:
            return "Unerwartetes Dateiende";
        case DbfErrorCode::AlreadyInUse:
            return "Datenbank wird bereits benutzt";
        case DbfErrorCode::NotOpen:
            return "Keine Datenbank (bzw. kein Arbeitsbereich) ge\x94"
                   "ffnet.";
        case DbfErrorCode::IndexNotOpen:
            return "Index-Datei nicht ge\x94"
                   "ffnet";
        case DbfErrorCode::CorruptIndex:
            return "Besch\x84"
                   "digte Index-Datei";
        case DbfErrorCode::WrongIndexVersion:
            return "Falsche Index-Version";
        case DbfErrorCode::ExclusiveRequired:
            return "Exklusiver Zugriff erforderlich";
        case DbfErrorCode::Dbase4Memo:
            return "dBASE IV Memo-Dateien nicht unterst\x81tzt";
        case DbfErrorCode::InvalidMemoAddress:
            return "Unzul\x84ssige Memo-Adresse";
        case DbfErrorCode::MemoWriteError:
            return "Memo-Schreibfehler";
        case DbfErrorCode::MemoAlreadyOpen:
            return "Memo ist bereits ge\x94"
                   "ffnet";
        case DbfErrorCode::RecordNotLocked:
            return "Datensatz nicht gesperrt";
        case DbfErrorCode::FileNotLocked:
            return "Datei nicht gesperrt";
        case DbfErrorCode::SemaphoreError:
            return "Semaphore-Dateifehler. Abhilfe: Am Netzwerk anmelden oder SHARE.EXE vor dem Start von "
                   "Windows laden";
        case DbfErrorCode::NetworkError:
            return "Netzwerkfehler";
        case DbfErrorCode::FormatNotSupported:
            return "File format not supported";
        case DbfErrorCode::Unknown:
            return "Unbekannter Fehler";
        case DbfErrorCode::FileNotFound:
            return "Datei nicht gefunden";
        case DbfErrorCode::PathNotFound:
            return "Pfad nicht gefunden";
        case DbfErrorCode::AccessDenied:
            return "Dateizugriff verweigert";
        case DbfErrorCode::SharingViolation:
            return "Fehler beim gemeinsamen Dateizugriff";
        case DbfErrorCode::LockViolation:
            return "Fehler bei Dateisperre";
        case DbfErrorCode::DiskFull:
            return "Diskette/Platte voll";
        case DbfErrorCode::BadTextFile:
            return "Fehlerhafte Textdatei";
    }
    return "Unbekannter Fehler";
}

DbfErrorCode DbfErrorFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return DbfErrorCode::FileNotFound;
        case ENOTDIR:
            return DbfErrorCode::PathNotFound;
        case EACCES:
        case EPERM:
        case EROFS:
            return DbfErrorCode::AccessDenied;
        case EBUSY:
        case ETXTBSY:
            return DbfErrorCode::SharingViolation;
        case EAGAIN:
        case ENOLCK:
        case EDEADLK:
            return DbfErrorCode::LockViolation;
        case ENOSPC:
        case EDQUOT:
            return DbfErrorCode::DiskFull;
        case ENETDOWN:
        case ENETUNREACH:
        case ESTALE:
        case EHOSTUNREACH:
            return DbfErrorCode::NetworkError;
        default:
            return DbfErrorCode::Unknown;
    }
}

DbfError::DbfError(DbfErrorCode code, const std::string& detail, const std::string& note)
    : std::runtime_error(DbfErrorText(code)), code_(code), detail_(detail), note_(note) {}

void ThrowErrno(int error, const std::string& file) {
    throw DbfError(DbfErrorFromErrno(error), file);
}

}  // namespace trb::tables
