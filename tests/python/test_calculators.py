import concurrent.futures
import warnings

import pytest
import rillo

from conftest import option_words, run_cli, tsv_pairs

CASES = [
    ("critical", dict(flow=100, width=10, n=0.013, side=2)),
    ("critical", dict(shape="circular", units="si", flow=2, width=1.5, n=0.015)),
    ("critical", dict(shape="elongated", flow="50", width="6", n="0.013", side="2")),
    ("manning", dict(flow=100, width=10, n=0.013, slope=0.001, side=2)),
    ("manning", dict(solve="flow", depth=1.5, width=10, n=0.013, slope=0.001, side=2)),
    ("manning", dict(solve="slope", shape="u-shaped", flow=20, depth=2, width=4, n=0.013)),
    ("manning", dict(solve="roughness", shape="circular", units="si", flow=1, depth=0.5, width=1.2,
                     slope=0.002)),
    ("weir", dict(length=10, head=1.5)),
    ("weir", dict(shape="v-notch", angle=90, head=0.5)),
    ("weir", dict(shape="cipolletti", length=4, head=1, units="si")),
    ("weir", dict(length=10, head=1.5, submerged=True, downstream_head=0.5)),
    ("weir", dict(length=10, head=1.5, broad_crested=True)),
    ("orifice", dict(size=1, head=4)),
    ("orifice", dict(shape="square", size=0.3, head=2, coefficient=0.8, units="si")),
    ("gate", dict(upstream_depth=5, width=10, opening=1)),
    ("gate", dict(upstream_depth=2, width=3, opening=0.5, coefficient=0.61, units="si")),
    ("jump", dict(width=10, side=0, flow=100, depth=0.5)),
    ("jump", dict(shape="circular", units="si", width=1.5, flow=1, depth=0.2)),
]


@pytest.mark.parametrize("command, keywords", CASES)
def test_each_calculator_equals_its_subcommand(command, keywords):
    cli = run_cli(command, "--format", "tsv", *option_words(keywords))
    assert cli.returncode == 0, cli.stderr
    result = getattr(rillo, command)(**keywords)
    assert result == tsv_pairs(cli.stdout)
    assert result and all(value for value in result.values())


REFUSED = [
    ("critical", dict(flow="abc", width=10, n=0.013), rillo.InputError, "flow", "Input Error"),
    ("critical", dict(flow=-5, width=10, n=0.013), rillo.InputError, "flow", "Input Error"),
    ("critical", dict(width=10, n=0.013), rillo.InputError, None, None),
    ("manning", dict(solve="flow", flow=3, depth=1, width=2, n=0.013, slope=0.001), rillo.InputError,
     "flow", None),
    ("weir", dict(shape="v-notch", length=3, head=1), rillo.InputError, "length", None),
    ("weir", dict(shape="trapezoid", length=3, head=1), rillo.InputError, "shape", None),
    ("gate", dict(upstream_depth=1, width=10, opening=2), rillo.InputError, "opening", "Input Error"),
    ("orifice", dict(size="1e999", head=1), rillo.InputError, "size", "Input Error"),
]


@pytest.mark.parametrize("command, keywords, error, field, title", REFUSED)
def test_refused_calculator_inputs(command, keywords, error, field, title):
    cli = run_cli(command, *option_words(keywords))
    assert cli.returncode == 2
    with pytest.raises(error) as raised:
        getattr(rillo, command)(**keywords)
    assert raised.value.field == field
    if title:
        assert raised.value.title == title
    assert raised.value.text and raised.value.text in cli.stderr


def test_unknown_and_mistyped_arguments():
    with pytest.raises(TypeError):
        rillo.gate(upstream=5, width=10, opening=1)
    with pytest.raises(TypeError):
        rillo.weir(length=10, head=1.5, submerged="yes")


def test_critical_warns_on_a_large_roughness():
    with pytest.warns(rillo.RoughnessWarning):
        result = rillo.critical(flow=100, width=10, n=0.2, side=2)
    assert set(result) == {"critical_depth", "critical_slope", "critical_velocity", "critical_area",
                           "critical_top_width", "minimum_energy"}
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        with pytest.raises(rillo.RoughnessWarning):
            rillo.critical(flow=100, width=10, n=0.2, side=2)


def test_calculators_in_a_thread_pool_give_what_a_loop_gives():
    one_by_one = [getattr(rillo, command)(**keywords) for command, keywords in CASES * 5]
    with concurrent.futures.ThreadPoolExecutor(4) as pool:
        pooled = list(pool.map(lambda case: getattr(rillo, case[0])(**case[1]), CASES * 5))
    assert pooled == one_by_one


RATINGS = [
    dict(width=10, side=2, n=0.013, slope=0.001, flows="50:200:50"),
    dict(shape="circular", units="si", width=1.2, n=0.013, slope=0.002, depths=(0.1, 1.2, 0.1)),
]


@pytest.mark.parametrize("keywords", RATINGS)
def test_rating_rows_equal_the_subcommand(keywords):
    words = dict(keywords)
    for key in ("depths", "flows"):
        if isinstance(words.get(key), tuple):
            words[key] = ":".join(str(part) for part in words[key])
    cli = run_cli("rating", "--format", "tsv", *option_words(words))
    assert cli.returncode == 0, cli.stderr
    lines = cli.stdout.splitlines()
    keys = lines[0].split("\t")
    expected = [dict(zip(keys, line.split("\t"))) for line in lines[1:]]
    rows = rillo.rating(**keywords)
    assert rows == expected and len(rows) > 3


def test_rating_and_manning_agree_on_the_worked_example():
    (row,) = rillo.rating(width=10, side=2, n=0.013, slope=0.001, flows=(100, 100, 1))
    manning = rillo.manning(flow=100, width=10, n=0.013, slope=0.001, side=2)
    assert row["depth"] == manning["depth"] == "1.721"
    for key in ("froude", "specific_energy", "critical_depth", "mean_shear", "max_shear", "top_width"):
        assert row[key] == manning[key]
    assert manning["flow_type"] == "subcritical" and manning["slope_class"] == "mild"


@pytest.mark.parametrize("keywords, field", [
    (dict(width=10, n=0.013, slope=0.001), None),                              # neither range
    (dict(width=10, n=0.013, slope=0.001, depths=(1, 2)), "depths"),            # two parts
    (dict(width=10, n=0.013, slope=0.001, depths="0.001:100:0.001"), "step"),  # past 10,000 rows
])
def test_refused_ratings(keywords, field):
    with pytest.raises((rillo.InputError, TypeError)):
        rillo.rating(**keywords)
