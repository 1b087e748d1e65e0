package brivel.wizardtest.more;

// Its short name is the other Item's.
public class Item {
    public Item() {}
}
