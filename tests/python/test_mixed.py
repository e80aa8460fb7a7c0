import pytest
import rillo

from conftest import option_words, run_cli, tsv_pairs

# A rectangle 10 ft wide on a mild slope, 0.5 ft deep below a gate upstream.
MILD_RECTANGLE = dict(shape="trapezoidal", units="english", start="0+00.000", end="10+00.000",
                      flow=100, width=10, n=0.013, slope=0.001, side=0, upstream_depth=0.5)


@pytest.mark.parametrize("changes", [
    {"downstream_depth": 2.5},
    {"downstream_depth": 4.5},
    {"downstream_depth": 1.6, "end": "0+50.000"},
    {"downstream_depth": "2.5", "units": "SI", "flow": 10, "width": 3},
    {"shape": "circular", "width": 6, "side": None, "flow": 50, "upstream_depth": 0.8, "downstream_depth": 3},
])
def test_mixed_equals_the_command_line_text_for_text(changes):
    keywords = {**MILD_RECTANGLE, **changes}
    m = rillo.mixed(**keywords)
    cli = run_cli("mixed", "--format", "tsv", *option_words(keywords))
    assert cli.returncode == 0, cli.stderr
    head, _, table = cli.stdout.partition("\n\n")
    assert m.summary == tsv_pairs(head + "\n")
    lines = table.splitlines()
    assert [row["station_text"] for row in m.rows] == [line.split("\t")[0] for line in lines]
    assert [row["depth"] for row in m.rows] == [float(line.split("\t")[1]) for line in lines]
    assert repr(m) == run_cli("mixed", *option_words(keywords)).stdout
    if m.jump_row is None:
        assert m.summary["jump_station"] == "none"
    else:
        assert m.rows[m.jump_row]["station_text"] == m.summary["jump_station"]
        assert m.rows[m.jump_row + 1]["depth"] == float(m.summary["jump_downstream_depth"])


@pytest.mark.parametrize("changes, field, title", [
    ({"upstream_depth": 2, "downstream_depth": 2.5}, "upstream_depth", "Upstream Depth Error"),
    ({"downstream_depth": 1}, "downstream_depth", "Downstream Depth Error"),
    ({"downstream_depth": None}, "downstream_depth", "Insufficient Input Data"),
    ({"downstream_depth": "2.5x"}, "downstream_depth", "Input Error"),
    ({"downstream_depth": 2.5, "flow": None}, "flow", "Insufficient Input Data"),
])
def test_refusals_name_their_field(changes, field, title):
    with pytest.raises(rillo.InputError) as raised:
        rillo.mixed(**{**MILD_RECTANGLE, **changes})
    assert (raised.value.field, raised.value.title) == (field, title)
