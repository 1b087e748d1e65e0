package brivel.wizardtest;

public class Item {
    public Item() {}
    public int number;
}
