/* The Python module's C half (dalcal._dalcal): libdalcal's C interface, with
 * Python's dates and errors. The conversions, called most, are answered here
 * whole; the lists come back as plain tuples that dalcal/__init__.py names. */
#define PY_SSIZE_T_CLEAN
#include <Python.h>
#include <dalcal/dalcal.h>
#include <datetime.h>
#include <string.h>

typedef struct {
    PyTypeObject* lunar_date_type;
} module_state;

static module_state* state_of(PyObject* module)
{
    return (module_state*)PyModule_GetState(module);
}

static PyStructSequence_Field lunar_date_fields[] = {
    {"year", "the lunar year"},
    {"month", "the lunar month, 1-12 (a leap month has the number of the month it follows)"},
    {"day", "the day of the lunar month, 1-30"},
    {"leap", "True for a day of a leap month (윤달)"},
    {"uncertain", "True where a computed month may begin a day earlier or later"},
    {NULL, NULL}};

static PyStructSequence_Desc lunar_date_desc = {"dalcal.LunarDate", "A date of the lunar calendar.", lunar_date_fields,
                                                5};

/* Raises the library's refusal: ValueError with its explanation (OSError for a
 * file it could not read, MemoryError when it ran out). Returns NULL. */
static PyObject* raise_refusal(dalcal_status status, const dalcal_error* error)
{
    const char* message = error->message[0] != '\0' ? error->message : dalcal_status_name(status);
    if (status == DALCAL_E_FILE)
        PyErr_SetString(PyExc_OSError, message);
    else if (status == DALCAL_E_INTERNAL)
        PyErr_SetString(PyExc_MemoryError, message);
    else
        PyErr_SetString(PyExc_ValueError, message);
    return NULL;
}

/* An int argument within first..last, as *out; 0 with the error set
 * otherwise: TypeError for anything but an int (a bool is no year), ValueError
 * naming the range for one outside it, however large. */
static int int_within(PyObject* object, const char* name, long first, long last, int* out)
{
    if (PyBool_Check(object) || !PyLong_Check(object)) {
        PyErr_Format(PyExc_TypeError, "%s must be an int, not %.80s", name, Py_TYPE(object)->tp_name);
        return 0;
    }
    int overflow = 0;
    const long value = PyLong_AsLongAndOverflow(object, &overflow);
    if (value == -1 && PyErr_Occurred()) return 0;
    if (overflow != 0 || value < first || value > last) {
        PyErr_Format(PyExc_ValueError, "%s %R is not within %ld-%ld", name, object, first, last);
        return 0;
    }
    *out = (int)value;
    return 1;
}

/* The years of any date here, before an almanac or a list narrows them. */
enum { FIRST_YEAR = 1, LAST_YEAR = 9999 };

/* "korea" or "classic" (NULL: korea), as a dalcal_almanac; -1 with ValueError set. */
static int almanac_named(const char* name)
{
    if (name == NULL || strcmp(name, "korea") == 0) return DALCAL_KOREA;
    if (strcmp(name, "classic") == 0) return DALCAL_CLASSIC;
    PyErr_Format(PyExc_ValueError, "unknown almanac '%s': korea or classic", name);
    return -1;
}

/* A datetime.date (or datetime) as a dalcal_date; 0 with TypeError set otherwise. */
static int date_from(PyObject* object, dalcal_date* date)
{
    if (!PyDate_Check(object)) {
        PyErr_Format(PyExc_TypeError, "expected a datetime.date, got %.80s", Py_TYPE(object)->tp_name);
        return 0;
    }
    date->year = PyDateTime_GET_YEAR(object);
    date->month = PyDateTime_GET_MONTH(object);
    date->day = PyDateTime_GET_DAY(object);
    return 1;
}

static PyObject* date_object(const dalcal_date* date)
{
    return PyDate_FromDate(date->year, date->month, date->day);
}

PyDoc_STRVAR(to_lunar_doc,
             "to_lunar(date, /, almanac='korea')\n--\n\n"
             "The lunar date of a day, as a LunarDate(year, month, day, leap, uncertain).");

static PyObject* to_lunar(PyObject* module, PyObject* args, PyObject* kwargs)
{
    static char* keywords[] = {"", "almanac", NULL};
    PyObject* day_object = NULL;
    const char* almanac_name = NULL;
    if (!PyArg_ParseTupleAndKeywords(args, kwargs, "O|s:to_lunar", keywords, &day_object, &almanac_name)) return NULL;
    const int almanac = almanac_named(almanac_name);
    dalcal_date day;
    if (almanac < 0 || !date_from(day_object, &day)) return NULL;
    dalcal_lunar_date lunar;
    dalcal_error error = {{0}};
    const dalcal_status status = dalcal_to_lunar(almanac, &day, &lunar, &error);
    if (status != DALCAL_OK) return raise_refusal(status, &error);

    PyObject* result = PyStructSequence_New(state_of(module)->lunar_date_type);
    if (result == NULL) return NULL;
    PyStructSequence_SET_ITEM(result, 0, PyLong_FromLong(lunar.year));
    PyStructSequence_SET_ITEM(result, 1, PyLong_FromLong(lunar.month));
    PyStructSequence_SET_ITEM(result, 2, PyLong_FromLong(lunar.day));
    PyStructSequence_SET_ITEM(result, 3, PyBool_FromLong(lunar.leap));
    PyStructSequence_SET_ITEM(result, 4, PyBool_FromLong(lunar.uncertain));
    if (PyErr_Occurred()) {
        Py_DECREF(result);
        return NULL;
    }
    return result;
}

PyDoc_STRVAR(to_solar_doc,
             "to_solar(year, month, day, leap=False, *, almanac='korea')\n--\n\n"
             "The day (a datetime.date) of a lunar date; leap=True for a leap month.");

static PyObject* to_solar(PyObject* module, PyObject* args, PyObject* kwargs)
{
    (void)module;
    static char* keywords[] = {"year", "month", "day", "leap", "almanac", NULL};
    PyObject* year_object = NULL;
    PyObject* month_object = NULL;
    PyObject* day_object = NULL;
    PyObject* leap_object = Py_False;
    const char* almanac_name = NULL;
    if (!PyArg_ParseTupleAndKeywords(args, kwargs, "OOO|O$s:to_solar", keywords, &year_object, &month_object,
                                     &day_object, &leap_object, &almanac_name))
        return NULL;
    int year = 0;
    int month = 0;
    int day = 0;
    if (!int_within(year_object, "year", FIRST_YEAR, LAST_YEAR, &year) ||
        !int_within(month_object, "month", 1, 12, &month) || !int_within(day_object, "day", 1, 30, &day))
        return NULL;
    if (!PyBool_Check(leap_object)) {
        PyErr_Format(PyExc_TypeError, "leap must be True or False, not %.80s", Py_TYPE(leap_object)->tp_name);
        return NULL;
    }
    const int leap = leap_object == Py_True;
    const int almanac = almanac_named(almanac_name);
    if (almanac < 0) return NULL;
    const dalcal_lunar_date lunar = {year, month, day, leap, 0};
    dalcal_date result;
    dalcal_error error = {{0}};
    const dalcal_status status = dalcal_to_solar(almanac, &lunar, &result, &error);
    if (status != DALCAL_OK) return raise_refusal(status, &error);
    return date_object(&result);
}

static PyObject* moment_tuple(const dalcal_moment* moment)
{
    return Py_BuildValue("(iiiii)", moment->date.year, moment->date.month, moment->date.day, moment->minute_of_day / 60,
                         moment->minute_of_day % 60);
}

PyDoc_STRVAR(solar_terms_doc,
             "_solar_terms(year)\n--\n\n"
             "The year's 24 terms as (index, name, utc (y, m, d, hour, minute), uncertain).");

static PyObject* solar_terms(PyObject* module, PyObject* arg)
{
    (void)module;
    int year = 0;
    if (!int_within(arg, "year", FIRST_YEAR, LAST_YEAR, &year)) return NULL;
    dalcal_solar_term terms[24];
    dalcal_error error = {{0}};
    const dalcal_status status = dalcal_solar_terms(year, terms, &error);
    if (status != DALCAL_OK) return raise_refusal(status, &error);
    PyObject* list = PyList_New(24);
    for (Py_ssize_t i = 0; list != NULL && i < 24; ++i) {
        PyObject* item = Py_BuildValue("(isNO)", terms[i].index, terms[i].name, moment_tuple(&terms[i].utc),
                                       terms[i].uncertain ? Py_True : Py_False);
        if (item == NULL)
            Py_CLEAR(list);
        else
            PyList_SET_ITEM(list, i, item);
    }
    return list;
}

PyDoc_STRVAR(holidays_doc,
             "_holidays(year, holidays_file)\n--\n\n"
             "The year's holidays as (date, name, kind, title, kind_name, added, scheduled).");

static PyObject* holiday_tuple(const dalcal_holiday* holiday)
{
    return Py_BuildValue("(NsissOO)", date_object(&holiday->date), holiday->name, holiday->kind, holiday->title,
                         holiday->kind_name, holiday->added ? Py_True : Py_False,
                         holiday->scheduled ? Py_True : Py_False);
}

static PyObject* holidays(PyObject* module, PyObject* args)
{
    (void)module;
    PyObject* year_object = NULL;
    PyObject* file_object = Py_None;
    int year = 0;
    if (!PyArg_ParseTuple(args, "OO:_holidays", &year_object, &file_object) ||
        !int_within(year_object, "year", FIRST_YEAR, LAST_YEAR, &year))
        return NULL;
    PyObject* file_bytes = NULL;
    if (file_object != Py_None && !PyUnicode_FSConverter(file_object, &file_bytes)) return NULL;
    dalcal_holidays* list = NULL;
    dalcal_error error = {{0}};
    const dalcal_status status =
        dalcal_holidays_of_year(year, file_bytes != NULL ? PyBytes_AS_STRING(file_bytes) : NULL, &list, &error);
    Py_XDECREF(file_bytes);
    if (status != DALCAL_OK) return raise_refusal(status, &error);

    const size_t count = dalcal_holidays_count(list);
    PyObject* result = PyList_New((Py_ssize_t)count);
    for (size_t i = 0; result != NULL && i < count; ++i) {
        PyObject* item = holiday_tuple(dalcal_holidays_at(list, i));
        if (item == NULL)
            Py_CLEAR(result);
        else
            PyList_SET_ITEM(result, (Py_ssize_t)i, item);
    }
    dalcal_holidays_free(list);
    return result;
}

PyDoc_STRVAR(reading_json_doc,
             "_reading_json(date, almanac)\n--\n\n"
             "The day read whole, as the JSON of dalcal-print --json DATE.");

static PyObject* reading_json(PyObject* module, PyObject* args)
{
    (void)module;
    PyObject* day_object = NULL;
    const char* almanac_name = NULL;
    if (!PyArg_ParseTuple(args, "Os:_reading_json", &day_object, &almanac_name)) return NULL;
    const int almanac = almanac_named(almanac_name);
    dalcal_date day;
    if (almanac < 0 || !date_from(day_object, &day)) return NULL;
    char small[4096];
    size_t length = 0;
    dalcal_error error = {{0}};
    dalcal_status status = dalcal_reading_json(almanac, &day, small, sizeof small, &length, &error);
    if (status == DALCAL_OK) return PyUnicode_DecodeUTF8(small, (Py_ssize_t)length, "strict");
    if (status != DALCAL_E_SPACE) return raise_refusal(status, &error);

    char* large = PyMem_Malloc(length + 1);
    if (large == NULL) return PyErr_NoMemory();
    status = dalcal_reading_json(almanac, &day, large, length + 1, &length, &error);
    PyObject* result =
        status == DALCAL_OK ? PyUnicode_DecodeUTF8(large, (Py_ssize_t)length, "strict") : raise_refusal(status, &error);
    PyMem_Free(large);
    return result;
}

static PyMethodDef methods[] = {
    {"to_lunar", (PyCFunction)(void (*)(void))to_lunar, METH_VARARGS | METH_KEYWORDS, to_lunar_doc},
    {"to_solar", (PyCFunction)(void (*)(void))to_solar, METH_VARARGS | METH_KEYWORDS, to_solar_doc},
    {"_solar_terms", solar_terms, METH_O, solar_terms_doc},
    {"_holidays", holidays, METH_VARARGS, holidays_doc},
    {"_reading_json", reading_json, METH_VARARGS, reading_json_doc},
    {NULL, NULL, 0, NULL}};

static int module_exec(PyObject* module)
{
    PyDateTime_IMPORT;
    if (PyDateTimeAPI == NULL) return -1;
    module_state* state = state_of(module);
    state->lunar_date_type = PyStructSequence_NewType(&lunar_date_desc);
    if (state->lunar_date_type == NULL) return -1;
    if (PyModule_AddObjectRef(module, "LunarDate", (PyObject*)state->lunar_date_type) < 0) return -1;
    return PyModule_AddStringConstant(module, "library_version", dalcal_version());
}

static int module_traverse(PyObject* module, visitproc visit, void* arg)
{
    Py_VISIT(state_of(module)->lunar_date_type);
    return 0;
}

static int module_clear(PyObject* module)
{
    Py_CLEAR(state_of(module)->lunar_date_type);
    return 0;
}

static PyModuleDef_Slot slots[] = {{Py_mod_exec, module_exec}, {0, NULL}};

static struct PyModuleDef definition = {
    PyModuleDef_HEAD_INIT, "dalcal._dalcal", "libdalcal's C interface for the module dalcal.",
    sizeof(module_state),  methods,          slots,
    module_traverse,       module_clear,     NULL};

PyMODINIT_FUNC PyInit__dalcal(void)
{
    return PyModuleDef_Init(&definition);
}
