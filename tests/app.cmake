# tests of app/
verlo_test(tst_listes tst_listes.cpp)
verlo_test(tst_demarrage tst_demarrage.cpp)
verlo_test(tst_listes_livrees tst_listes_livrees.cpp)
target_compile_definitions(tst_listes_livrees PRIVATE
                           VERLO_DOSSIER_LISTES="${PROJECT_SOURCE_DIR}/assets")
