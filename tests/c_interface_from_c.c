/* libdalcal from a C program, as other programs use it: the header is C11,
 * the library links alone. Prints 설날 2027 both ways; exits 1 on a wrong answer. */
#include <dalcal/dalcal.h>
#include <stdio.h>
#include <string.h>

int main(void)
{
    const dalcal_date seollal = {2027, 2, 7};
    dalcal_lunar_date lunar;
    dalcal_date back;
    dalcal_error error;
    dalcal_stem_branch year;
    if (dalcal_to_lunar(DALCAL_KOREA, &seollal, &lunar, &error) != DALCAL_OK) return 1;
    if (dalcal_to_solar(DALCAL_KOREA, &lunar, &back, &error) != DALCAL_OK) return 1;
    if (dalcal_lunar_year_stem_branch(lunar.year, &year, NULL) != DALCAL_OK) return 1;
    printf("%04d-%02d-%02d = 음력 %d년(%s) %d월 %d일\n", (int)back.year, (int)back.month, (int)back.day,
           (int)lunar.year, year.name, (int)lunar.month, (int)lunar.day);
    lunar.day = 30;
    lunar.month = 9;
    lunar.year = 2026;
    if (dalcal_to_solar(DALCAL_KOREA, &lunar, &back, &error) != DALCAL_E_NO_DATE) return 1;
    printf("%s: %s\n", dalcal_status_name(DALCAL_E_NO_DATE), error.message);
    return strcmp(year.name, "정미") == 0 && lunar.leap == 0 ? 0 : 1;
}
