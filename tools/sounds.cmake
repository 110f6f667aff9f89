# The sound synthesiser.
