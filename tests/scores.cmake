# tests of scores/
verlo_test(tst_classement tst_classement.cpp)
verlo_test(tst_fichier_scores tst_fichier_scores.cpp)
