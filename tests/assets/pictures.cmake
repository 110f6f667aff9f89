# Tests of the pictures.
