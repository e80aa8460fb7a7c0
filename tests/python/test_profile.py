import concurrent.futures
import decimal
import fractions
import os
import warnings

import pytest
import rillo

from conftest import DATA, WORKED_EXAMPLE, option_words, run_cli, tsv_pairs

ROW_KEYS = ["station", "depth", "energy", "area", "velocity", "top_width", "momentum", "froude",
            "velocity_head", "hydraulic_radius", "wetted_perimeter"]


@pytest.mark.parametrize("changes", [
    {},
    {"shape": "circular", "width": 6, "side": None, "flow": 50},
    {"shape": "u-shaped", "units": "si", "width": 2, "side": None, "flow": 3, "slope": 0.02},
    {"shape": "elongated", "width": 6, "side": 2, "control": 2.5, "name": "Canal C-7"},
    {"slope": -0.001, "control": 3},
    {"flow": 0.000015, "slope": 1e-3},
])
def test_profile_equals_the_command_line_text_for_text(changes):
    keywords = {**WORKED_EXAMPLE, **changes}
    p = rillo.profile(**keywords)
    cli = run_cli("profile", "--format", "tsv", *option_words(keywords))
    assert cli.returncode == 0, cli.stderr
    head, _, table = cli.stdout.partition("\n\n")
    assert p.summary == tsv_pairs(head + "\n")
    lines = table.splitlines()
    assert [list(cells) for cells in p.texts["table"]] == [line.split("\t") for line in lines]
    assert [row["station_text"] for row in p.rows] == [line.split("\t")[0] for line in lines]
    for row, line in zip(p.rows, lines):
        assert [row[key] for key in ROW_KEYS[1:]] == [float(cell) for cell in line.split("\t")[1:]]
    assert repr(p) == run_cli("profile", *option_words(keywords)).stdout


def test_worked_example():
    p = rillo.profile(**WORKED_EXAMPLE)
    assert (p.summary["normal_depth"], len(p.rows)) == ("1.721", 16)
    assert p.rows[0]["station"] == 1000.0 or p.rows[-1]["station"] == 1000.0
    assert p.texts["name"] == "Trapezoidal Channel"
    assert p.texts["inputs"]["control"] == p.summary["control_depth"]


@pytest.mark.parametrize("changes, error, field, title", [
    ({"flow": None}, rillo.InputError, "flow", "Insufficient Input Data"),
    ({"flow": ""}, rillo.InputError, "flow", "Insufficient Input Data"),
    ({"slope": 0}, rillo.InputError, "slope", "Slope Error"),
    ({"start": "10+00.000", "end": "0+00.000"}, rillo.InputError, "end", "Station Error"),
    ({"end": "0+00.000"}, rillo.InputError, "end", "Rillo 2.1"),
    ({"end": "1000"}, rillo.InputError, "end", None),
    ({"flow": 1e39}, rillo.InputError, "flow", "Input Error"),
    ({"flow": float("inf")}, rillo.InputError, "flow", None),
    ({"shape": "hexagonal"}, rillo.InputError, "shape", "Input Error"),
    ({"units": "imperial"}, rillo.InputError, "units", "Input Error"),
    ({"width": 0, "side": 0}, rillo.ComputationError, None, "Invalid Channel Geometry"),
])
def test_refused_and_failed_inputs(changes, error, field, title):
    with pytest.raises(error) as raised:
        rillo.profile(**{**WORKED_EXAMPLE, **changes})
    assert raised.value.field == field
    if title:
        assert raised.value.title == title
    assert raised.value.text and "\r" not in raised.value.text
    assert isinstance(raised.value, rillo.Error)


@pytest.mark.parametrize("text", ["nan", "-nan", "inf", "1e999", " 5 ", "0x10", "5abc", "1,5", "", "+", "."])
def test_field_texts_are_refused_exactly_as_the_command_line_refuses_them(text):
    keywords = {**WORKED_EXAMPLE, "width": text}
    cli = run_cli("profile", "--format", "tsv", *option_words(keywords))
    try:
        p = rillo.profile(**keywords)
    except rillo.InputError as refused:
        assert cli.returncode == 2 and refused.text in cli.stderr
    else:
        assert cli.returncode == 0 and repr(p) == run_cli("profile", *option_words(keywords)).stdout


class Whole:
    def __index__(self):
        return 100


@pytest.mark.parametrize("value", [100, 100.0, "100", Whole(), decimal.Decimal("100.0"), fractions.Fraction(200, 2)])
def test_numbers_of_every_kind_read_as_their_text(value):
    assert repr(rillo.profile(**{**WORKED_EXAMPLE, "flow": value})) == repr(rillo.profile(**WORKED_EXAMPLE))


@pytest.mark.parametrize("value", [True, [1], b"100", object(), 1j])
def test_arguments_of_other_types_are_type_errors(value):
    with pytest.raises(TypeError):
        rillo.profile(**{**WORKED_EXAMPLE, "flow": value})


def test_a_large_roughness_warns_and_computes():
    with pytest.warns(rillo.RoughnessWarning, match="0.15") as warned:
        p = rillo.profile(**{**WORKED_EXAMPLE, "n": 0.2})
    assert warned[0].filename == __file__  # the warning names the caller's line
    assert p.rows
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        with pytest.raises(rillo.RoughnessWarning):
            rillo.profile(**{**WORKED_EXAMPLE, "n": 0.2})


def test_saved_file_equals_the_command_line_file_and_reads_back(tmp_path):
    p = rillo.profile(**WORKED_EXAMPLE)
    target = tmp_path / "reach.flo"
    p.to_flo(target)  # a path-like object, as open() takes
    cli = run_cli("profile", "--format", "flo", *option_words(WORKED_EXAMPLE), text=False)
    assert target.read_bytes() == cli.stdout
    opened = rillo.read_flo(os.fsencode(target))
    assert opened.summary == {**p.summary, "profile_type": ""}  # the file holds no profile type
    assert [r["station_text"] for r in opened.rows] == [r["station_text"] for r in p.rows]
    assert [r["depth"] for r in opened.rows] == [r["depth"] for r in p.rows]
    assert opened.rows[0]["froude"] is None
    assert os.listdir(tmp_path) == ["reach.flo"]


@pytest.mark.parametrize("name", ["circular_si_steep.flo", "elongated_si.flo", "older_plain_stations_cp1252.flo",
                                  "trapezoid_adverse_utf8.flo", "trapezoid_worked_example.flo",
                                  "ushaped_english.flo"])
def test_opened_files_equal_show_and_save_back_unchanged(name, tmp_path):
    path = os.path.join(DATA, name)
    opened = rillo.read_flo(path)
    show = run_cli("show", "--format", "tsv", path).stdout
    assert opened.summary == tsv_pairs(show)
    assert [row["station_text"] for row in opened.rows] == [
        line.split("\t")[0] for line in show.partition("\n\n")[2].splitlines()]
    opened.to_flo(str(tmp_path / "saved.flo"))
    saved = (tmp_path / "saved.flo").read_bytes()
    assert rillo.read_flo(str(tmp_path / "saved.flo")).texts == opened.texts
    if "older" not in name:  # an older file is saved in today's form
        assert saved == open(path, "rb").read()


def test_failed_saves_leave_the_old_file(tmp_path):
    p = rillo.profile(**WORKED_EXAMPLE)
    old = tmp_path / "old.flo"
    old.write_text("kept")
    (tmp_path / "folder").mkdir()
    for target in [tmp_path / "folder", tmp_path / "missing" / "x.flo", "/dev/full"]:
        with pytest.raises(OSError):
            p.to_flo(str(target))
    for unusable, error in [(str(old) + "\0x", ValueError), (3, TypeError)]:
        with pytest.raises(error):
            p.to_flo(unusable)
        with pytest.raises(error):
            rillo.read_flo(unusable)
    triangle = rillo.profile(**{**WORKED_EXAMPLE, "width": None})
    with pytest.raises(rillo.InputError) as refused:
        triangle.to_flo(str(old))
    assert (refused.value.field, refused.value.title) == ("width", "Saving Error")
    assert old.read_text() == "kept"


def test_bad_profile_files(tmp_path):
    fifo = tmp_path / "pipe"
    os.mkfifo(fifo)
    (tmp_path / "binary.flo").write_bytes(b"\0" * 100)
    (tmp_path / "shape.flo").write_text("Hexagonal Channel\n")
    (tmp_path / "huge.flo").write_bytes(b"Trapezoidal Channel\n" + b"1" * (5 << 20))
    for name in ["pipe", "binary.flo", "shape.flo", "huge.flo", "missing.flo", "."]:
        with pytest.raises(rillo.InputError) as refused:
            rillo.read_flo(str(tmp_path / name))
        assert refused.value.text.startswith(("File cannot be opened.", "Unknown channel type."))
        unknown_type = refused.value.text.startswith("Unknown channel type.")
        assert (refused.value.title, refused.value.field) == (
            "File Open Error" if unknown_type else "Rillo 2.1", "path")
        assert unknown_type == (name in ("shape.flo", "binary.flo"))


def test_a_thread_pool_gives_what_a_loop_gives():
    cases = [{**WORKED_EXAMPLE, "flow": flow, "slope": slope}
             for flow in range(10, 400, 30) for slope in (0.0005, 0.001, 0.02)]
    one_by_one = [repr(rillo.profile(**case)) for case in cases]
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        pooled = list(pool.map(lambda case: repr(rillo.profile(**case)), cases))
    assert pooled == one_by_one


def test_every_function_has_its_help():
    for name in ["profile", "read_flo", "critical", "manning", "weir", "orifice", "gate"]:
        assert len(getattr(rillo, name).__doc__) > 80, name


def test_a_profile_that_fails_part_way_keeps_its_rows():
    keywords = dict(shape="circular", units="english", start="0+00.000", end="10+00.000", flow=5, width=2,
                    n=0.013, slope=-0.001)
    cli = run_cli("profile", "--format", "tsv", *option_words(keywords))
    assert cli.returncode == 1
    with pytest.raises(rillo.ComputationError) as failed:
        rillo.profile(**keywords)
    assert failed.value.title + ": " + failed.value.text + "\n" == cli.stderr
    table = cli.stdout.partition("\n\n")[2].splitlines()
    assert table and [row["station_text"] for row in failed.value.profile.rows] == [
        line.split("\t")[0] for line in table]
