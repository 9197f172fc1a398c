# tests of app/
verlo_test(tst_demarrage tst_demarrage.cpp)
# The shipped word lists' format.
add_test(NAME listes_livrees COMMAND ${CMAKE_COMMAND} -DDOSSIER=${PROJECT_SOURCE_DIR}/assets -P
                                     ${CMAKE_CURRENT_SOURCE_DIR}/listes_livrees.cmake)
