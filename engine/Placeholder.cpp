// Keeps the engine library non-empty until its first sources land; removed then.
