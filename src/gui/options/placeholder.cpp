namespace pagoranto {}
