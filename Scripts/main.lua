print("Vorn")
