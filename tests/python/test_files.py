"""Case files through the module: read as the program opens them, written as it saves them."""
import os
import warnings

import pytest

import trb
from conftest import example_cases


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


@pytest.mark.parametrize("path", example_cases(), ids=os.path.basename)
def test_a_case_read_and_written_again_is_the_same_file(path, tmp_path):
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        case = trb.read_case(path)
    written = case.write(str(tmp_path / "copy.trb"))
    assert written == str(tmp_path / "copy.trb")
    assert read_bytes(written) == read_bytes(path), "documentation and inputs are kept byte for byte"


def test_the_example_file_is_the_example_case(tmp_path):
    shipped = trb.read_case(os.path.join(os.path.dirname(example_cases()[0]), "example.trb"))
    assert shipped.as_dict() == trb.example_case().as_dict()


def test_writing_adds_the_extension_replaces_whole_files_and_keeps_the_folder_clean(tmp_path):
    case = trb.example_case()
    case.toldb = "H7 µ°"
    assert case.write(tmp_path / "bearing") == str(tmp_path / "bearing.trb"), "a path-like object works"
    assert trb.read_case(str(tmp_path / "bearing")).toldb == "H7 µ°"
    case.f = 1234.5
    case.write(str(tmp_path / "bearing.trb"))
    assert trb.read_case(str(tmp_path / "bearing.trb")).f == 1234.5
    assert sorted(os.listdir(tmp_path)) == ["bearing.trb"], "no temporary file is left"
    with pytest.raises(trb.CaseFileError) as failure:
        case.write(str(tmp_path / "missing" / "bearing.trb"))
    assert isinstance(failure.value, OSError)
    os.mkdir(tmp_path / "folder.trb")
    with pytest.raises(trb.CaseFileError):
        case.write(str(tmp_path / "folder.trb"))


def test_unreadable_files_raise_and_damaged_ones_warn(tmp_path):
    with pytest.raises(trb.CaseFileError, match="nicht gefunden"):
        trb.read_case(str(tmp_path / "none.trb"))
    (tmp_path / "notes.trb").write_bytes(b"A text about bearings.\r\n")
    with pytest.raises(trb.CaseFileError, match="keine Falldatei"):
        trb.read_case(str(tmp_path / "notes.trb"))
    os.mkfifo(tmp_path / "pipe.trb")
    with pytest.raises(trb.CaseFileError):
        trb.read_case(str(tmp_path / "pipe.trb"))  # refused, never waited on

    lines = read_bytes(example_cases()[0]).split(b"\r\n")
    example = trb.read_case(example_cases()[0])
    # Cut after line 36, the load: what follows keeps the start values.
    (tmp_path / "short.trb").write_bytes(b"\r\n".join(lines[:37]))
    with pytest.warns(trb.CaseFileWarning, match="unvollständig.*37"):
        short = trb.read_case(str(tmp_path / "short.trb"))
    assert short.f == example.f and short.k == trb.Case().k
    long = list(lines)
    long[8] = b"x" * 5000  # the drawing name
    (tmp_path / "long.trb").write_bytes(b"\r\n".join(long))
    with pytest.warns(trb.CaseFileWarning, match="Zeile 9 ist zu lang"):
        assert trb.read_case(str(tmp_path / "long.trb")).as_dict() == example.as_dict()
    with warnings.catch_warnings():
        warnings.simplefilter("error", trb.CaseFileWarning)
        with pytest.raises(trb.CaseFileWarning):
            trb.read_case(str(tmp_path / "short.trb"))
