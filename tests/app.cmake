# tests of app/
verlo_test(tst_listes tst_listes.cpp)
verlo_test(tst_demarrage tst_demarrage.cpp)
