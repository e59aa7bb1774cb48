"""The film through the module: the pressure field as NumPy arrays and how it fits the film's own
numbers, the grid it is solved on, and a case that leaves no film."""
import numpy
import pytest

import trb


@pytest.fixture(scope="module")
def film():
    return trb.example_case().film(onset_speed=False)


def test_the_pressure_field_has_a_column_per_cell_round_the_bore_and_a_node_row_across_the_width(film):
    columns, axial = film.grid
    assert film.grid == (216, 20)
    assert film.angles.shape == (columns,) and film.z.shape == (axial + 1,)
    assert film.pressure.shape == film.supply.shape == (columns, axial + 1)
    assert film.pressure.dtype == numpy.float64 and film.supply.dtype == numpy.bool_
    assert film.middle_plane.shape == (columns,)
    assert film.z[0] == -1 and film.z[-1] == 1 and numpy.all(numpy.diff(film.z) > 0)
    assert numpy.all(numpy.diff(film.angles) > 0) and film.angles[-1] - film.angles[0] < 360
    # Both ends at ambient pressure, nothing below it (cavitation), the largest value inside the
    # field no more than the film's own pmax (which lies between the columns).
    assert numpy.all(film.pressure[:, [0, -1]] == 0) and film.pressure.min() >= 0
    assert 0.97 * film.pmax < film.pressure.max() <= film.pmax
    peak = numpy.unravel_index(film.pressure.argmax(), film.pressure.shape)
    assert abs(film.z[peak[1]]) < 0.1, "the peak lies in the middle plane"
    middle = int(numpy.argmin(abs(film.z)))
    assert numpy.array_equal(film.middle_plane, film.pressure[:, middle])
    assert film.supply.any(), "the example's supply hole"
    assert numpy.all(film.pressure[film.supply] == pytest.approx(0.5)), "held at the supply pressure pe"


def test_the_coefficients_are_two_by_two_and_the_onset_speed_only_when_asked(film):
    for matrix in (film.stiffness, film.damping, film.stiffness_dimensionless, film.damping_dimensionless):
        assert matrix.shape == (2, 2)
    assert film.stiffness[0, 0] > 0 and film.damping[0, 0] > 0
    assert film.onset_speed is None
    assert film.stable is True and film.mass_parameter > 0
    assert film.din["h0"] == trb.example_case().run().h0


def test_the_grid_is_chosen_or_refused():
    case = trb.example_case()
    coarse = case.film(grid=(48, 8), onset_speed=False)
    assert coarse.grid == (48, 8) and coarse.pressure.shape == (48, 9)
    assert coarse.eccentricity == pytest.approx(case.film(onset_speed=False).eccentricity, rel=0.01)
    for grid in [(10, 8), (48, 2), (48, 6), (10**6, 10**4)]:
        with pytest.raises(ValueError, match="grid"):
            case.film(grid=grid)
    with pytest.raises((TypeError, RuntimeError)):
        case.film(grid="fine")


def test_a_case_without_film_says_why_and_has_no_numbers():
    film = trb.Case().film()
    assert "DIN calculation failed" in film.reason
    assert film.eccentricity is None and film.stiffness is None and film.stable is None
    assert film.as_dict()["h0"] is None and film.as_dict()["reason"] == film.reason
    assert "failed" in repr(film)
