# The settings loaded through the real Windows calls, checked field by field
# against Wine's raw answers in each locale, with the era data and era tokens
# where the locale has an era calendar.
add_executable(settings_check settings_check.cpp)
target_link_libraries(settings_check PRIVATE bootspan_datetext bootspan_locale)

foreach(locale en_US en_GB de_DE ko_KR zh_TW ja_JP)
  add_test(NAME e2e_settings_${locale} COMMAND settings_check)
  set_tests_properties(e2e_settings_${locale} PROPERTIES
                       ENVIRONMENT "LC_ALL=${locale}.UTF-8" LABELS e2e TIMEOUT 120)
endforeach()
